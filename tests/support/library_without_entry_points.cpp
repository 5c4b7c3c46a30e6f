// A loadable library that is not a plug-in: it exports none of the six entry points.
extern "C" int NotAPlugIn() { return 0; }
