// The tables below the spectrum block of the plot document.
#pragma once

// Each appends its heading at (bx, y0) and its cells; y0 of the next table comes back.
void PlotParametersTable(float bx, float& y0);
void PlotFrequenciesTable(float bx, float& y0);
void PlotExchangeTable(float bx, float& y0);
