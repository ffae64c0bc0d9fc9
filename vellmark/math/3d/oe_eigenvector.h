#ifndef OE_EIGENVECTOR_H_INCLUDED
#define OE_EIGENVECTOR_H_INCLUDED

// bCEigenVector: eigenvalues and eigenvectors of a real symmetric n x n matrix.
//
// - Fill the matrix (Matrix(i, j) or Matrix(double **)), then call one of the
//   EigenStuff forms: the matrix is reduced to tridiagonal form by Householder
//   reflections (accumulated in the matrix), then diagonalised by the implicit
//   QL iteration with shifts. Afterwards Eigenvalue(i) is the i-th eigenvalue
//   and column i of the matrix (Eigenvector(row, i)) its unit eigenvector.
// - Errors are reported as warnings and collected in the static bit set
//   `error`, which is never cleared: callers mask the bits they care about.
// - Storage comes from the memory administration; a solver is neither copied
//   nor shared between threads.

#include <vellmark/platform/oe_export.h>

class bCVector;

class OE_API bCEigenVector
{
public:
    static constexpr int invalid_size = 1;
    static constexpr int allocation_failed = 2;
    static constexpr int ql_exceeded = 4;
    static int error;                      // every error bit reported so far
    static char const * const message[3]; // texts by bit number

public:
    explicit bCEigenVector(long a_iSize);
    ~bCEigenVector();
    bCEigenVector(bCEigenVector const &) = delete;
    bCEigenVector & operator=(bCEigenVector const &) = delete;

public:
    double & Matrix(int a_iRow, int a_iColumn) { return m_ppdMatrix[a_iRow][a_iColumn]; }
    void Matrix(double ** a_ppdSource); // copies n x n values in
    double Matrix(int a_iRow, int a_iColumn) const { return m_ppdMatrix[a_iRow][a_iColumn]; }
    double Eigenvalue(int a_iIndex) const { return m_pdDiagonal[a_iIndex]; }
    double * Eigenvalue() { return m_pdDiagonal; }
    double const * Eigenvalue() const { return m_pdDiagonal; }
    double Eigenvector(int a_iRow, int a_iColumn) const { return m_ppdMatrix[a_iRow][a_iColumn]; }
    double ** Eigenvector() { return m_ppdMatrix; }
    double const * const * Eigenvector() const { return m_ppdMatrix; }
    void Eigenvector(int a_iIndex, bCVector & a_vecDest) const; // column a_iIndex for n = 3, else zero
    double Tdiag(int a_iIndex) const { return m_pdDiagonal[a_iIndex]; }
    double Tsubdiag(int a_iIndex) const { return m_pdSubDiagonal[a_iIndex]; }

    void EigenStuff2();
    void EigenStuff3();
    void EigenStuff4();
    void EigenStuffN();
    void EigenStuff(); // by size: 2, 3, 4 or any other
    void DecrSortEigenStuff2();
    void DecrSortEigenStuff3();
    void DecrSortEigenStuff4();
    void DecrSortEigenStuffN();
    void DecrSortEigenStuff();
    void IncrSortEigenStuff2();
    void IncrSortEigenStuff3();
    void IncrSortEigenStuff4();
    void IncrSortEigenStuffN();
    void IncrSortEigenStuff();
    void Reduce(); // only the tridiagonal reduction

    static void Report(int a_iCode); // warns with the text of the code's bit and records the bit
    static int Number(int a_iCode);  // index of the highest set bit, -1 for 0

    // The steps of the solvers above, for a caller that runs them one by one.
    void Tridiagonal2();
    void Tridiagonal3();
    void Tridiagonal4();
    void TridiagonalN();
    bool QLAlgorithm(); // false after ql_exceeded
    void DecreasingSort();
    void IncreasingSort();

private:
    bool IsReady() const { return m_ppdMatrix != nullptr; }
    void SwapColumns(int a_iFirst, int a_iSecond);
    void Release();

private:
    int m_iSize;
    double ** m_ppdMatrix;
    double * m_pdDiagonal;
    double * m_pdSubDiagonal;
};

#endif
