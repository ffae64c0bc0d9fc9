#include <vellmark/math/3d/oe_eigenvector.h>
#include <vellmark/math/3d/oe_vector.h>

#include "support/oe_messagerecorder.h"

#include <eigen3/Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace
{
    Eigen::MatrixXd RandomSymmetric(std::mt19937 & a_Random, int a_iSize)
    {
        std::uniform_real_distribution<double> Value(-10.0, 10.0);
        Eigen::MatrixXd matResult(a_iSize, a_iSize);
        for (int i = 0; i < a_iSize; ++i)
            for (int j = 0; j <= i; ++j)
                matResult(i, j) = matResult(j, i) = Value(a_Random);
        return matResult;
    }

    void Solve(bCEigenVector & a_Solver, Eigen::MatrixXd const & a_matInput, int a_iForm)
    {
        for (int i = 0; i < a_matInput.rows(); ++i)
            for (int j = 0; j < a_matInput.cols(); ++j)
                a_Solver.Matrix(i, j) = a_matInput(i, j);
        if (a_iForm == 0)
            a_Solver.IncrSortEigenStuff();
        else
            a_Solver.IncrSortEigenStuffN();
    }
} // namespace

// Every size through the dispatching form and the general form: increasing
// eigenvalues as Eigen finds them, unit eigenvectors equal up to sign, and
// the decomposition reproduces the matrix.
TEST(bCEigenVector, AgreesWithEigenOnRandomSymmetricMatrices)
{
    std::mt19937 Random(20261206);
    for (int iSize = 2; iSize <= 7; ++iSize)
    {
        for (int iForm = 0; iForm < 2; ++iForm)
        {
            for (int iRound = 0; iRound < 40; ++iRound)
            {
                SCOPED_TRACE(testing::Message() << "size " << iSize << " form " << iForm << " round " << iRound);
                Eigen::MatrixXd const matInput = RandomSymmetric(Random, iSize);
                Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> Reference(matInput);
                bCEigenVector Solver(iSize);
                Solve(Solver, matInput, iForm);
                Eigen::MatrixXd matVectors(iSize, iSize);
                for (int i = 0; i < iSize; ++i)
                {
                    ASSERT_NEAR(Solver.Eigenvalue(i), Reference.eigenvalues()(i), 1e-9);
                    for (int r = 0; r < iSize; ++r)
                        matVectors(r, i) = Solver.Eigenvector(r, i);
                    // Distinct random eigenvalues: the vectors are unique up to sign.
                    double const dSign = matVectors.col(i).dot(Reference.eigenvectors().col(i)) < 0.0 ? -1.0 : 1.0;
                    EXPECT_LT((matVectors.col(i) * dSign - Reference.eigenvectors().col(i)).norm(), 1e-7);
                }
                Eigen::MatrixXd const matBack =
                    matVectors * Eigen::VectorXd::Map(Solver.Eigenvalue(), iSize).asDiagonal() * matVectors.transpose();
                EXPECT_LT((matBack - matInput).norm(), 1e-9);
            }
        }
    }
}

TEST(bCEigenVector, SortsAndPicksColumns)
{
    struct bSCase
    {
        double m_arrDiagonal[3];
        bool m_bDecreasing;
        double m_arrExpected[3];
        int m_arrAxis[3]; // the unit axis of each sorted eigenvector
    };
    bSCase const arrCases[] = {
        {{3, 1, 2}, true, {3, 2, 1}, {0, 2, 1}},
        {{3, 1, 2}, false, {1, 2, 3}, {1, 2, 0}},
        {{-1, 5, 0}, true, {5, 0, -1}, {1, 2, 0}},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << Case.m_arrDiagonal[0] << " " << Case.m_arrDiagonal[1] << " "
                                        << Case.m_arrDiagonal[2]
                                        << (Case.m_bDecreasing ? " decreasing" : " increasing"));
        bCEigenVector Solver(3);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                Solver.Matrix(i, j) = i == j ? Case.m_arrDiagonal[i] : 0.0;
        if (Case.m_bDecreasing)
            Solver.DecrSortEigenStuff3();
        else
            Solver.IncrSortEigenStuff3();
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_DOUBLE_EQ(Solver.Eigenvalue(i), Case.m_arrExpected[i]);
            bCVector vecAxis;
            Solver.Eigenvector(i, vecAxis);
            for (int c = 0; c < 3; ++c)
                EXPECT_FLOAT_EQ(std::fabs(vecAxis[c]), c == Case.m_arrAxis[i] ? 1.0f : 0.0f);
        }
    }
}

// A 2x2 matrix starts QL from its own diagonal and the identity.
TEST(bCEigenVector, SolvesTwoByTwoDirectly)
{
    bCEigenVector Solver(2);
    double arrRow0[2] = {2.0, 1.0};
    double arrRow1[2] = {1.0, 2.0};
    double * arrRows[2] = {arrRow0, arrRow1};
    Solver.Matrix(arrRows);
    Solver.Reduce();
    EXPECT_EQ(Solver.Tdiag(0), 2.0);
    EXPECT_EQ(Solver.Tdiag(1), 2.0);
    EXPECT_EQ(Solver.Tsubdiag(0), 1.0);
    EXPECT_EQ(Solver.Eigenvector(0, 0), 1.0);
    EXPECT_EQ(Solver.Eigenvector(0, 1), 0.0);
    Solver.Matrix(arrRows);
    Solver.DecrSortEigenStuff2();
    EXPECT_NEAR(Solver.Eigenvalue(0), 3.0, 1e-12);
    EXPECT_NEAR(Solver.Eigenvalue(1), 1.0, 1e-12);
    EXPECT_NEAR(std::fabs(Solver.Eigenvector(0, 0)), std::sqrt(0.5), 1e-12);
    bCVector vecNone(7.0f, 7.0f, 7.0f);
    Solver.Eigenvector(0, vecNone); // only a 3x3 solver fills a vector
    EXPECT_EQ(vecNone, bCVector(0, 0, 0));
}

TEST(bCEigenVector, ReportsErrorsAsBits)
{
    struct bSCase
    {
        int m_iCode;
        int m_iNumber;
    };
    bSCase const arrNumbers[] = {{0, -1}, {1, 0}, {6, 2}, {0x40000000, 30}};
    for (bSCase const & Case : arrNumbers)
        EXPECT_EQ(bCEigenVector::Number(Case.m_iCode), Case.m_iNumber) << Case.m_iCode;

    bCMessageRecorder Recorder;
    {
        bCEigenVector Solver(1);
        Solver.EigenStuff(); // nothing to solve; must not touch missing storage
    }
    EXPECT_NE(bCEigenVector::error & bCEigenVector::invalid_size, 0);
    EXPECT_EQ(bCEigenVector::invalid_size, 1); // usable by reference as well
    EXPECT_EQ(bCEigenVector::allocation_failed, 2);
    EXPECT_EQ(bCEigenVector::ql_exceeded, 4);
    EXPECT_NE(Recorder.GetAll().find("C: bCEigenVector: invalid matrix size"), std::string::npos) << Recorder.GetAll();

    // A NaN never converges.
    bCEigenVector Solver(3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            Solver.Matrix(i, j) = 1.0;
    Solver.Matrix(1, 2) = Solver.Matrix(2, 1) = std::nan("");
    Solver.EigenStuff3();
    EXPECT_NE(bCEigenVector::error & bCEigenVector::ql_exceeded, 0);
    EXPECT_NE(Recorder.GetAll().find("C: bCEigenVector: QL algorithm - exceeded maximum iterations"),
              std::string::npos);
}
