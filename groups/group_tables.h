// The group editor's clipboard summaries of a whole group: a table of the items' settings and
// parameters, a table of their rate constants with the free energies of activation, and a
// stacked plot of the spectra of the group's drawing pages.
#pragma once

#include <string>
#include <vector>

#include "engine/engine_globals.h"
#include "groups/sim_item.h"

// Rows of cells: column 0 the labels, then one column per non-empty item in item order. Rows
// 0..4 are the header fields ("Title:" to "Temp C:"), then the data or rate rows.
using GroupTable = std::vector<std::vector<std::string>>;

// The table of the items of one simulation type (typeRec gives the parameter names).
GroupTable BuildGroupTable(const std::vector<SimItem>& items, const SimTypeRec& typeRec,
                           bool rates);
// Header fields 1..4 and the data rows, each cell followed by a tab, each line by CR LF.
std::string GroupTableText(const GroupTable& table);
// Puts the table on the clipboard as text and as a drawing of labels, in one copy. A table
// with more cells than a drawing holds goes as text only, with a message.
void CopyGroupTable(const GroupTable& table);

// Stacks the spectrum objects of every page of the drawing file upwards, 5 mm apart, and puts
// them on the clipboard as a drawing. The file's message when it is missing or unreadable.
void CopyStackedPlot(const std::string& drawingPath);
