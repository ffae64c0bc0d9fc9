#ifndef OE_INTERPOLATORWARNING_H_INCLUDED
#define OE_INTERPOLATORWARNING_H_INCLUDED

// Inside the library only: the interpolators' and key framer data's own
// warnings go straight to the message administration as type 3, without
// second text or file, line -1, priority 5.
void g_InterpolatorWarning(char const * a_pcText);

#endif
