#pragma once
// The headless machine in use: HeadlessBackend under every service and HeadlessMultimedia's
// devices. The entry points of the tests, benchmarks and fuzz targets install it before
// anything else runs; the shipped program never does.

void InstallHeadlessMachine();
