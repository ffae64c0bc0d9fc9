#ifndef OE_MATRIXFRAME_H_INCLUDED
#define OE_MATRIXFRAME_H_INCLUDED

// Frame construction shared by bCMatrix and bCMatrix3, which both keep their
// axes in rows 0 to 2 (GetRow, SetRow and AccessRow as bCVector).

#include <vellmark/math/3d/oe_vector.h>

// Row 2 := the direction (unnormalised); row 1 := the old row 1 made
// perpendicular to it (forward, then up when that leaves nothing), normalised;
// row 0 := row 1 x row 2.
template <class MATRIX> void OELookAtRows(MATRIX & a_matRows, bCVector const & a_vecDirection)
{
    bCVector const vecDirection(a_vecDirection); // may be a row of the matrix
    a_matRows.SetRow(2, vecDirection);
    bCVector vecUp = a_matRows.GetRow(1);
    vecUp -= vecDirection * (vecUp.GetDotProduct(vecDirection) / vecDirection.GetDotProduct(vecDirection));
    if (vecUp.GetSquareMagnitude() < 1.0e-5f)
    {
        vecUp.SetVector(0.0f, 0.0f, 1.0f);
        vecUp -= vecDirection * vecUp.GetDotProduct(vecDirection);
        if (vecUp.GetSquareMagnitude() < 1.0e-5f)
        {
            vecUp.SetVector(0.0f, 1.0f, 0.0f);
            vecUp -= vecDirection * vecUp.GetDotProduct(vecDirection);
        }
    }
    vecUp.Normalize();
    a_matRows.SetRow(1, vecUp);
    a_matRows.SetRow(0, vecUp.GetCrossProduct(vecDirection));
}

template <class MATRIX>
void OELookAtRows(MATRIX & a_matRows, bCVector const & a_vecDirection, bCVector const & a_vecUp)
{
    bCVector const vecDirection(a_vecDirection);
    if (a_vecUp.GetSquareMagnitude() > 1.0e-5f)
        a_matRows.SetRow(1, a_vecUp);
    OELookAtRows(a_matRows, vecDirection);
}

// Gram-Schmidt from the last axis, without normalising.
template <class MATRIX> void OEOrthogonalizeRows(MATRIX & a_matRows)
{
    for (int iRow = 2; iRow >= 1; --iRow)
    {
        bCVector const vecRow = a_matRows.GetRow(iRow);
        float const fSquare = vecRow.GetSquareMagnitude();
        if (!(fSquare > 0.0f))
            continue;
        for (int iEarlier = 0; iEarlier < iRow; ++iEarlier)
        {
            bCVector & vecEarlier = a_matRows.AccessRow(iEarlier);
            vecEarlier -= vecRow * (vecEarlier.GetDotProduct(vecRow) / fSquare);
        }
    }
}

// Rows 2, 1, 0 normalised (a row too short becomes its unit axis), then LookAt(row 2).
template <class MATRIX> void OEOrthonormalizeRows(MATRIX & a_matRows)
{
    bCVector const vecFallbacks[3] = {bCVector(1.0f, 0.0f, 0.0f), bCVector(0.0f, 1.0f, 0.0f),
                                      bCVector(0.0f, 0.0f, 1.0f)};
    for (int iRow = 2; iRow >= 0; --iRow)
    {
        bCVector & vecRow = a_matRows.AccessRow(iRow);
        if (vecRow.GetSquareMagnitude() < 1.0e-5f)
            vecRow = vecFallbacks[iRow];
        else
            vecRow.Normalize();
    }
    OELookAtRows(a_matRows, a_matRows.GetRow(2));
}

// u M = v x u.
template <class MATRIX> void OESetCrossProductRows(MATRIX & a_matRows, bCVector const & a_vecVector)
{
    a_matRows.Clear();
    a_matRows(0, 1) = a_vecVector[2];
    a_matRows(0, 2) = -a_vecVector[1];
    a_matRows(1, 0) = -a_vecVector[2];
    a_matRows(1, 2) = a_vecVector[0];
    a_matRows(2, 0) = a_vecVector[1];
    a_matRows(2, 1) = -a_vecVector[0];
}

#endif
