#ifndef OE_MOTIONKEYFRAMERDATA_H_INCLUDED
#define OE_MOTIONKEYFRAMERDATA_H_INCLUDED

// bCMotionKeyFramerData: a bCMotion track that can import camera paths
// exported as text (ReadCAM).
//
// Camera path text, one item per line:
//   line 1: a label, a tab, the camera name;
//   line 2: a label, a tab, a value that is not used;
//   line 3: a label, a tab, the frame count;
//   line 4: a column header;
//   then one line per frame: time; x; y; z; qx; qy; qz; qw (semicolons,
//   optionally with tabs around the fields, decimal commas accepted).
// The importer does not validate: a missing or non-numeric field reads as 0
// and the key is still made. The keys are taken in file order, not sorted.

#include <vellmark/math/interpolation/oe_keyframerdata.h>

class OE_API bCMotionKeyFramerData : public bTKeyFramerData<bCMotion>
{
public:
    bCMotionKeyFramerData() = default;
    bCMotionKeyFramerData(bCMotionKeyFramerData const & a_Source) : bTKeyFramerData<bCMotion>(a_Source) {}
    ~bCMotionKeyFramerData() override;
    bCMotionKeyFramerData & operator=(bCMotionKeyFramerData const & a_Source)
    {
        bTKeyFramerData<bCMotion>::operator=(a_Source);
        return *this;
    }

public:
    // Replaces the track by the path's frames: every a_iStep-th frame line
    // counted back from the last (which is always used; a step below 1 uses
    // every line), positions multiplied by a_fScale, under one attached linear
    // data interpolator. Consecutive rotations are kept on one hemisphere.
    void ReadCAM(bCIStream & a_Stream, int a_iStep, float a_fScale);
};

#endif
