// A library that holds nothing but (maybe) a version resource.
extern "C" __declspec(dllexport) int VersionFixture() { return 0; }
