#ifndef OE_RESULT_H_INCLUDED
#define OE_RESULT_H_INCLUDED

// The result of the life-cycle and stream operations of the object model.

enum bEResult : int // 32-bit
{
    bEResult_False = 0,
    bEResult_Ok = 1, // success
};

#endif
