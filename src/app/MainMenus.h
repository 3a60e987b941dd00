#pragma once

class MainActions;
class QMenu;
class QMenuBar;
class QWidget;

// The menus of the main window, built from its actions in the order the user sees them.
void buildMenuBar(QMenuBar& bar, const MainActions& a);
// The data table's pop-up menu (EditPopupMenu).
QMenu* buildEditPopupMenu(const MainActions& a, QWidget* parent);
// The fit toggle's pop-up menu (FitDataPopupMenu).
QMenu* buildFitDataPopupMenu(const MainActions& a, QWidget* parent);
