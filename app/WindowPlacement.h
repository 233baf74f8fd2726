#pragma once
// The main window's position, size and state kept between runs.
class QWidget;

void RestoreWindowPlacement(QWidget* window);
void StoreWindowPlacement(QWidget* window);  // nothing while minimised
