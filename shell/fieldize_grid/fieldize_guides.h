#pragma once
// The guides of the Fieldize Text tab: a vertical line in a text box at the
// start of every specified column, so the user sees where the columns cut
// the text. The text box counts its columns from 0, the grid from 1; these
// give the text box's.

#include "columns/column_spec.h"

#include <vector>

namespace fieldizer {

// Columns beyond this get no guide: no line of a report reaches so far, and
// the text box draws its lines in pixels an int must hold.
inline constexpr long guideColumnLimit = 100000;

// Where each column's data starts in the text (its get_data_from_column),
// in the grid's order, each column once. Rows the pass cannot use yet are
// left out.
std::vector<long> sourceGuideColumns(const ColumnSpecs& specs);

// Where each column starts in the lines the Fieldize pass lays out (as the
// preview shows them) with "New lines start at column:" `startLineAt`:
// after the start-column spaces and the columns and spaces before it.
std::vector<long> laidOutGuideColumns(const ColumnSpecs& specs, int startLineAt);

} // namespace fieldizer
