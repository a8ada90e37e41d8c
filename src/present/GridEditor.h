#pragma once

class QTableView;

namespace present {

// Writes the text of a cell editor still open in `grid` to its model and closes the editor,
// so what is being typed is not lost when a command runs or the window closes. True when an
// editor was open.
bool commitOpenEditor(QTableView* grid);

} // namespace present
