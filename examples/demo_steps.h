#ifndef DEMO_STEPS_H_INCLUDED
#define DEMO_STEPS_H_INCLUDED

// The demonstrations that live in files of their own (demo_<topic>.cpp); RunDemo
// calls them in turn.

void DemoProfile(); // profiles a few frames and writes them as folded stacks
void DemoVolumes();
void DemoProperties();
void DemoMath(); // places an object with Euler angles and picks it with a ray
void DemoNoise();
void DemoAnimation(); // camera path import and the four interpolators

#endif
