#ifndef DEMO_STEPS_H_INCLUDED
#define DEMO_STEPS_H_INCLUDED

// The demonstrations that live in files of their own (demo_<topic>.cpp); RunDemo
// calls them in turn.

void DemoProperties();

#endif
