#pragma once

class QWidget;

// "About Wirnak": the version, the licence and where the project lives. Modal over parent.
void showAboutBox(QWidget* parent);
