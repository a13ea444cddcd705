#pragma once

class QWidget;
class ViewHost;

// The views have no status bar of their own: the long hints of their controls go to the main
// window's, as the whole program's hints do.
void forwardHintsToHost(QWidget *window, ViewHost &host);
