#include "mainwin/plot_sources_kavo.h"

bool KavoPlotSources::DifferenceOn() { return controls_.Get(Ctl::btnDiffTogg).Value; }
