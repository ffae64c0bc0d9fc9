#ifndef OE_VOLUME_H_INCLUDED
#define OE_VOLUME_H_INCLUDED

// bCVolume: the polymorphic base of the bounding volumes that callers keep
// behind one pointer; bTVolume<T> holds one T (bCBox, bCSphere, bCFrustum)
// after the base. GetCenter gives the box's centre, the sphere's position or
// the average of the frustum's eight corners.

#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_sphere.h>

class OE_API bCVolume
{
public:
    bCVolume() = default;
    bCVolume(bCVolume const &) = default;
    bCVolume & operator=(bCVolume const &) = default;
    virtual ~bCVolume();

public:
    virtual void GetCenter(bCVector & a_vecCenter) const = 0;
};

template <typename T> class OE_API bTVolume : public bCVolume
{
public:
    bTVolume() = default;
    explicit bTVolume(T const & a_Volume) : m_Volume(a_Volume) {}

public:
    T const & GetVolume() const { return m_Volume; }
    T & AccessVolume() { return m_Volume; }
    void SetVolume(T const & a_Volume) { m_Volume = a_Volume; }
    void GetCenter(bCVector & a_vecCenter) const override;

private:
    T m_Volume;
};

template <> void bTVolume<bCBox>::GetCenter(bCVector & a_vecCenter) const;
template <> void bTVolume<bCSphere>::GetCenter(bCVector & a_vecCenter) const;
template <> void bTVolume<bCFrustum>::GetCenter(bCVector & a_vecCenter) const;

extern template class bTVolume<bCBox>;
extern template class bTVolume<bCSphere>;
extern template class bTVolume<bCFrustum>;

#endif
