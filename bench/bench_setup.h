#pragma once

// Sets up what a benchmark program's cases need before they run; each program links one
// definition. It may start the program anew and not return.
void SetUpBenchmarks(int argc, char** argv);
