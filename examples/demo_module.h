#ifndef DEMO_MODULE_H_INCLUDED
#define DEMO_MODULE_H_INCLUDED

// A small game module built on the library: it runs each of its demonstrations
// and prints what it sees.
__attribute__((visibility("default"))) int RunDemo();

#endif
