#include <vellmark/math/interpolation/oe_motionkeyframerdata.h>

#include <vellmark/kernel/oe_message.h>

namespace
{
    int const kPriority = 5;
    char const * const kDashes = "-------------------------------------------------------------------------------";
    int const kFrameFields = 8; // time, x, y, z, qx, qy, qz, qw

    // Field a_iIndex of a_strLine between single a_cSeparator bytes; empty past the last one.
    bCString GetField(bCString const & a_strLine, char a_cSeparator, int a_iIndex)
    {
        int iStart = 0;
        for (int i = 0; i < a_iIndex; ++i)
        {
            int const iSeparator = a_strLine.Find(a_cSeparator, iStart, true);
            if (iSeparator < 0)
                return bCString();
            iStart = iSeparator + 1;
        }
        int const iEnd = a_strLine.Find(a_cSeparator, iStart, true);
        return a_strLine.Mid(iStart, (iEnd < 0 ? a_strLine.GetLength() : iEnd) - iStart);
    }

    bCString ReadField(bCIStream & a_Stream, int a_iIndex)
    {
        bCString strLine;
        a_Stream.ReadLine(strLine);
        return GetField(strLine, '\t', a_iIndex);
    }

    // time; x; y; z; qx; qy; qz; qw with decimal commas and tabs allowed.
    void ParseFrame(bCString a_strLine, float a_fScale, float & a_fTime, bCVector & a_vecPosition,
                    bCQuaternion & a_quatRotation)
    {
        a_strLine.Replace(',', '.');
        a_strLine.Replace('\t', ' ');
        float arrFields[kFrameFields];
        for (int i = 0; i < kFrameFields; ++i)
            arrFields[i] = GetField(a_strLine, ';', i).GetFloat();
        a_fTime = arrFields[0];
        a_vecPosition = bCVector(arrFields[1] * a_fScale, arrFields[2] * a_fScale, arrFields[3] * a_fScale);
        a_quatRotation = bCQuaternion(arrFields[4], arrFields[5], arrFields[6], arrFields[7]);
    }
} // namespace

bCMotionKeyFramerData::~bCMotionKeyFramerData() = default;

void bCMotionKeyFramerData::ReadCAM(bCIStream & a_Stream, int a_iStep, float a_fScale)
{
    int const iStep = a_iStep < 1 ? 1 : a_iStep;
    Clear();
    int const iInterpolator = CreateDataInterpolator(bEInterpolator_Linear, false);

    bCString const strCamera = ReadField(a_Stream, 1);
    ReadField(a_Stream, 1);
    int const iFrames = ReadField(a_Stream, 1).GetInteger();
    ReadField(a_Stream, 0);

    OE_MESSAGE_INFO(kPriority, kDashes);
    OE_MESSAGE_D_INFO(kPriority, "bCMotionKeyFramerData::ReadCAM -> Camera: %s", strCamera.GetText());
    OE_MESSAGEF_INFO(kPriority, "bCMotionKeyFramerData::ReadCAM -> Frames: %08d", iFrames);
    OE_MESSAGE_INFO(kPriority, kDashes);
    OE_MESSAGE_INFO(kPriority, "bCMotionKeyFramerData::ReadCAM -> Processing frames ... ");

    // The previous rotation is the call's own, so that two imports may run at once.
    bool bFirst = true;
    bCQuaternion quatPrevious(0.0f, 0.0f, 0.0f, 1.0f);
    for (int i = 0; i < iFrames; ++i)
    {
        bCString strLine;
        if (a_Stream.ReadLine(strLine) == 0)
            break; // fewer lines than announced: the stream has ended
        if ((iFrames - 1 - i) % iStep != 0)
            continue;
        float fTime = 0.0f;
        bCVector vecPosition;
        bCQuaternion quatRotation;
        ParseFrame(strLine, a_fScale, fTime, vecPosition, quatRotation);
        // q and -q are one rotation; the nearer one keeps the slerp on the short arc.
        if (!bFirst && quatRotation.GetDotProduct(quatPrevious) < 0.0f)
            quatRotation.Negate();
        bFirst = false;
        quatPrevious = quatRotation;
        AccessKeyFrames().Add(bSKeyFrame(bCMotion(vecPosition, quatRotation), fTime, iInterpolator, -1));
        OE_MESSAGEF_INFO(kPriority, "bCMotionKeyFramerData::ReadCAM -> Time: %09.9f ", static_cast<double>(fTime));
    }

    OE_MESSAGE_INFO(kPriority, kDashes);
    OE_MESSAGE_INFO(kPriority, "bCMotionKeyFramerData::ReadCAM -> Splitting frames ... ");
    SplitFrames();
    OE_MESSAGE_INFO(kPriority, kDashes);
    OE_MESSAGE_INFO(kPriority, "bCMotionKeyFramerData::ReadCAM -> Attaching data interpolator ... ");
    AttachDataInterpolator(iInterpolator);
    OE_MESSAGE_INFO(kPriority, kDashes);
}
