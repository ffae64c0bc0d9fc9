#include <vellmark/math/3d/oe_eigenvector.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/math/3d/oe_vector.h>

#include <cmath>
#include <cstring>

int bCEigenVector::error = 0;
char const * const bCEigenVector::message[3] = {"invalid matrix size", "allocation failed",
                                                 "QL algorithm - exceeded maximum iterations"};

namespace
{
    // Each eigenvalue gets this many QL sweeps before the solver gives up.
    int const g_iMaxQLIterations = 30;

    void * AllocateDoubles(long a_iCount)
    {
        return bCMemoryAdmin::GetInstance().Malloc(static_cast<unsigned long>(a_iCount) * sizeof(double),
                                                   "bCEigenVector", __FILE__, __LINE__);
    }
}

bCEigenVector::bCEigenVector(long a_iSize)
    : m_iSize(static_cast<int>(a_iSize)), m_ppdMatrix(nullptr), m_pdDiagonal(nullptr), m_pdSubDiagonal(nullptr)
{
    if (a_iSize < 2)
    {
        Report(invalid_size);
        return;
    }
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    double ** ppdRows = static_cast<double **>(Admin.Malloc(static_cast<unsigned long>(a_iSize) * sizeof(double *),
                                                            "bCEigenVector", __FILE__, __LINE__));
    double * pdCells = static_cast<double *>(AllocateDoubles(a_iSize * a_iSize));
    m_pdDiagonal = static_cast<double *>(AllocateDoubles(a_iSize));
    m_pdSubDiagonal = static_cast<double *>(AllocateDoubles(a_iSize));
    if (!ppdRows || !pdCells || !m_pdDiagonal || !m_pdSubDiagonal)
    {
        if (ppdRows)
            Admin.Free(ppdRows);
        if (pdCells)
            Admin.Free(pdCells);
        Release();
        Report(allocation_failed);
        return;
    }
    std::memset(pdCells, 0, static_cast<std::size_t>(a_iSize * a_iSize) * sizeof(double));
    std::memset(m_pdDiagonal, 0, static_cast<std::size_t>(a_iSize) * sizeof(double));
    std::memset(m_pdSubDiagonal, 0, static_cast<std::size_t>(a_iSize) * sizeof(double));
    for (long i = 0; i < a_iSize; ++i)
        ppdRows[i] = pdCells + i * a_iSize;
    m_ppdMatrix = ppdRows;
}

bCEigenVector::~bCEigenVector()
{
    Release();
}

void bCEigenVector::Release()
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    if (m_ppdMatrix)
    {
        Admin.Free(m_ppdMatrix[0]); // the rows share one block
        Admin.Free(m_ppdMatrix);
    }
    if (m_pdDiagonal)
        Admin.Free(m_pdDiagonal);
    if (m_pdSubDiagonal)
        Admin.Free(m_pdSubDiagonal);
    m_ppdMatrix = nullptr;
    m_pdDiagonal = nullptr;
    m_pdSubDiagonal = nullptr;
}

void bCEigenVector::Matrix(double ** a_ppdSource)
{
    if (!IsReady())
        return;
    for (int i = 0; i < m_iSize; ++i)
        for (int j = 0; j < m_iSize; ++j)
            m_ppdMatrix[i][j] = a_ppdSource[i][j];
}

void bCEigenVector::Eigenvector(int a_iIndex, bCVector & a_vecDest) const
{
    if (m_iSize != 3 || !IsReady())
    {
        a_vecDest = bCVector(0.0f, 0.0f, 0.0f);
        return;
    }
    a_vecDest = bCVector(static_cast<float>(m_ppdMatrix[0][a_iIndex]), static_cast<float>(m_ppdMatrix[1][a_iIndex]),
                         static_cast<float>(m_ppdMatrix[2][a_iIndex]));
}

void bCEigenVector::Report(int a_iCode)
{
    int const iBit = Number(a_iCode);
    OE_MESSAGEF_WARN("C: bCEigenVector: %s", iBit >= 0 && iBit < 3 ? message[iBit] : "");
    error |= a_iCode;
}

int bCEigenVector::Number(int a_iCode)
{
    int iBit = -1;
    for (unsigned int uCode = static_cast<unsigned int>(a_iCode); uCode != 0; uCode >>= 1)
        ++iBit;
    return iBit;
}

// The 2x2 matrix is tridiagonal already: QL starts from the identity.
void bCEigenVector::Tridiagonal2()
{
    if (m_iSize != 2 || !IsReady())
        return TridiagonalN();
    m_pdDiagonal[0] = m_ppdMatrix[0][0];
    m_pdDiagonal[1] = m_ppdMatrix[1][1];
    m_pdSubDiagonal[0] = m_ppdMatrix[0][1];
    m_pdSubDiagonal[1] = 0.0;
    m_ppdMatrix[0][0] = 1.0;
    m_ppdMatrix[0][1] = 0.0;
    m_ppdMatrix[1][0] = 0.0;
    m_ppdMatrix[1][1] = 1.0;
}

// One reflection in the plane of rows 1 and 2 zeroes element (0, 2); the
// reflection is its own inverse and becomes the accumulated transformation.
void bCEigenVector::Tridiagonal3()
{
    if (m_iSize != 3 || !IsReady())
        return TridiagonalN();
    double ** m = m_ppdMatrix;
    double const a = m[0][0], d = m[1][1], e = m[1][2], f = m[2][2];
    double b = m[0][1], c = m[0][2];
    m_pdDiagonal[0] = a;
    m_pdSubDiagonal[2] = 0.0;
    if (c != 0.0)
    {
        double const fLength = std::sqrt(b * b + c * c);
        b /= fLength;
        c /= fLength;
        double const q = 2.0 * b * e + c * (f - d);
        m_pdDiagonal[1] = d + c * q;
        m_pdDiagonal[2] = f - c * q;
        m_pdSubDiagonal[0] = fLength;
        m_pdSubDiagonal[1] = e - b * q;
        double const arrReflection[3][3] = {{1.0, 0.0, 0.0}, {0.0, b, c}, {0.0, c, -b}};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = arrReflection[i][j];
        return;
    }
    m_pdDiagonal[1] = d;
    m_pdDiagonal[2] = f;
    m_pdSubDiagonal[0] = b;
    m_pdSubDiagonal[1] = e;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = i == j ? 1.0 : 0.0;
}

// Four rows need two reflections; the general reduction does exactly that.
void bCEigenVector::Tridiagonal4()
{
    TridiagonalN();
}

namespace
{
    // Householder step for row i: annihilates a[i][0..i-2], leaving the
    // reflection vector in row i and its scaled copy in column i. Returns h
    // (0 when the row needed no reflection); e[i] receives the sub-diagonal.
    double ReflectRow(double ** a, int i, double * e)
    {
        int const l = i - 1;
        double fScale = 0.0;
        for (int k = 0; k <= l; ++k)
            fScale += std::fabs(a[i][k]);
        if (l == 0 || fScale == 0.0)
        {
            e[i] = a[i][l];
            return 0.0;
        }
        double h = 0.0;
        for (int k = 0; k <= l; ++k)
        {
            a[i][k] /= fScale;
            h += a[i][k] * a[i][k];
        }
        double f = a[i][l];
        double g = f >= 0.0 ? -std::sqrt(h) : std::sqrt(h);
        e[i] = fScale * g;
        h -= f * g;
        a[i][l] = f - g;
        f = 0.0;
        for (int j = 0; j <= l; ++j)
        {
            a[j][i] = a[i][j] / h;
            g = 0.0;
            for (int k = 0; k <= j; ++k)
                g += a[j][k] * a[i][k];
            for (int k = j + 1; k <= l; ++k)
                g += a[k][j] * a[i][k];
            e[j] = g / h;
            f += e[j] * a[i][j];
        }
        double const hh = f / (h + h);
        for (int j = 0; j <= l; ++j)
        {
            f = a[i][j];
            e[j] = g = e[j] - hh * f;
            for (int k = 0; k <= j; ++k)
                a[j][k] -= f * e[k] + g * a[i][k];
        }
        return h;
    }

    // Builds the product of the reflections in place, reading the diagonal
    // from the reduced matrix on the way (d[i] is non-zero where row i reflected).
    void AccumulateReflections(double ** a, int n, double * d)
    {
        for (int i = 0; i < n; ++i)
        {
            if (d[i] != 0.0)
            {
                for (int j = 0; j < i; ++j)
                {
                    double g = 0.0;
                    for (int k = 0; k < i; ++k)
                        g += a[i][k] * a[k][j];
                    for (int k = 0; k < i; ++k)
                        a[k][j] -= g * a[k][i];
                }
            }
            d[i] = a[i][i];
            a[i][i] = 1.0;
            for (int j = 0; j < i; ++j)
                a[j][i] = a[i][j] = 0.0;
        }
    }
}

void bCEigenVector::TridiagonalN()
{
    if (!IsReady())
        return;
    int const n = m_iSize;
    double * d = m_pdDiagonal;
    double * e = m_pdSubDiagonal;
    for (int i = n - 1; i > 0; --i)
        d[i] = ReflectRow(m_ppdMatrix, i, e);
    d[0] = 0.0;
    e[0] = 0.0;
    AccumulateReflections(m_ppdMatrix, n, d);
    // The sub-diagonal element of rows i and i + 1 is kept at index i.
    for (int i = 1; i < n; ++i)
        e[i - 1] = e[i];
    e[n - 1] = 0.0;
}

namespace
{
    // sqrt(a^2 + b^2) without hypot's care for overflow: the solver's values are
    // far from the double range, and this runs in the innermost loop.
    double Pythagoras(double a_dA, double a_dB)
    {
        return std::sqrt(a_dA * a_dA + a_dB * a_dB);
    }

    // One implicit QL sweep with a shift over the block l..m; z collects the
    // rotations. Returns false when the sweep ended early on an underflow.
    bool QLSweep(double * d, double * e, double ** z, int n, int l, int m)
    {
        double g = (d[l + 1] - d[l]) / (2.0 * e[l]);
        double r = Pythagoras(g, 1.0);
        g = d[m] - d[l] + e[l] / (g + (g >= 0.0 ? r : -r));
        double s = 1.0, c = 1.0, p = 0.0;
        for (int i = m - 1; i >= l; --i)
        {
            double f = s * e[i];
            double const b = c * e[i];
            e[i + 1] = r = Pythagoras(f, g);
            if (r == 0.0)
            {
                d[i + 1] -= p;
                e[m] = 0.0;
                return false;
            }
            s = f / r;
            c = g / r;
            g = d[i + 1] - p;
            r = (d[i] - g) * s + 2.0 * c * b;
            p = s * r;
            d[i + 1] = g + p;
            g = c * r - b;
            for (int k = 0; k < n; ++k)
            {
                f = z[k][i + 1];
                z[k][i + 1] = s * z[k][i] + c * f;
                z[k][i] = c * z[k][i] - s * f;
            }
        }
        d[l] -= p;
        e[l] = g;
        e[m] = 0.0;
        return true;
    }
}

bool bCEigenVector::QLAlgorithm()
{
    if (!IsReady())
        return false;
    int const n = m_iSize;
    double * d = m_pdDiagonal;
    double * e = m_pdSubDiagonal;
    for (int l = 0; l < n; ++l)
    {
        for (int iIteration = 0;; ++iIteration)
        {
            int m = l;
            for (; m < n - 1; ++m)
            {
                double const dd = std::fabs(d[m]) + std::fabs(d[m + 1]);
                if (std::fabs(e[m]) + dd == dd)
                    break;
            }
            if (m == l)
                break;
            if (iIteration >= g_iMaxQLIterations)
            {
                Report(ql_exceeded);
                return false;
            }
            QLSweep(d, e, m_ppdMatrix, n, l, m);
        }
    }
    return true;
}

void bCEigenVector::SwapColumns(int a_iFirst, int a_iSecond)
{
    for (int iRow = 0; iRow < m_iSize; ++iRow)
    {
        double const dTemp = m_ppdMatrix[iRow][a_iFirst];
        m_ppdMatrix[iRow][a_iFirst] = m_ppdMatrix[iRow][a_iSecond];
        m_ppdMatrix[iRow][a_iSecond] = dTemp;
    }
}

// Selection sort: few elements, and each swap moves a whole column.
void bCEigenVector::DecreasingSort()
{
    if (!IsReady())
        return;
    for (int i = 0; i < m_iSize - 1; ++i)
    {
        int iBest = i;
        for (int j = i + 1; j < m_iSize; ++j)
            if (m_pdDiagonal[j] > m_pdDiagonal[iBest])
                iBest = j;
        if (iBest == i)
            continue;
        double const dTemp = m_pdDiagonal[i];
        m_pdDiagonal[i] = m_pdDiagonal[iBest];
        m_pdDiagonal[iBest] = dTemp;
        SwapColumns(i, iBest);
    }
}

void bCEigenVector::IncreasingSort()
{
    if (!IsReady())
        return;
    for (int i = 0; i < m_iSize - 1; ++i)
    {
        int iBest = i;
        for (int j = i + 1; j < m_iSize; ++j)
            if (m_pdDiagonal[j] < m_pdDiagonal[iBest])
                iBest = j;
        if (iBest == i)
            continue;
        double const dTemp = m_pdDiagonal[i];
        m_pdDiagonal[i] = m_pdDiagonal[iBest];
        m_pdDiagonal[iBest] = dTemp;
        SwapColumns(i, iBest);
    }
}

void bCEigenVector::EigenStuff2()
{
    Tridiagonal2();
    QLAlgorithm();
}

void bCEigenVector::EigenStuff3()
{
    Tridiagonal3();
    QLAlgorithm();
}

void bCEigenVector::EigenStuff4()
{
    Tridiagonal4();
    QLAlgorithm();
}

void bCEigenVector::EigenStuffN()
{
    TridiagonalN();
    QLAlgorithm();
}

void bCEigenVector::EigenStuff()
{
    switch (m_iSize)
    {
    case 2:
        return EigenStuff2();
    case 3:
        return EigenStuff3();
    case 4:
        return EigenStuff4();
    default:
        return EigenStuffN();
    }
}

void bCEigenVector::DecrSortEigenStuff2()
{
    EigenStuff2();
    DecreasingSort();
}

void bCEigenVector::DecrSortEigenStuff3()
{
    EigenStuff3();
    DecreasingSort();
}

void bCEigenVector::DecrSortEigenStuff4()
{
    EigenStuff4();
    DecreasingSort();
}

void bCEigenVector::DecrSortEigenStuffN()
{
    EigenStuffN();
    DecreasingSort();
}

void bCEigenVector::DecrSortEigenStuff()
{
    EigenStuff();
    DecreasingSort();
}

void bCEigenVector::IncrSortEigenStuff2()
{
    EigenStuff2();
    IncreasingSort();
}

void bCEigenVector::IncrSortEigenStuff3()
{
    EigenStuff3();
    IncreasingSort();
}

void bCEigenVector::IncrSortEigenStuff4()
{
    EigenStuff4();
    IncreasingSort();
}

void bCEigenVector::IncrSortEigenStuffN()
{
    EigenStuffN();
    IncreasingSort();
}

void bCEigenVector::IncrSortEigenStuff()
{
    EigenStuff();
    IncreasingSort();
}

void bCEigenVector::Reduce()
{
    switch (m_iSize)
    {
    case 2:
        return Tridiagonal2();
    case 3:
        return Tridiagonal3();
    case 4:
        return Tridiagonal4();
    default:
        return TridiagonalN();
    }
}
