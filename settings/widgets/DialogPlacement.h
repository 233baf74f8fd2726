#pragma once
// Dialog helpers of the settings windows.
class QWidget;
class QLineEdit;

// Centres a window on the available area of its screen (the part no panel covers).
void CentreOnAvailableArea(QWidget* Window);
// A masked box that shows asterisks and takes at most the characters a book file keeps.
void MakePasswordBox(QLineEdit* Box);
