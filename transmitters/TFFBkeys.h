// Address of the 1-, 2- and 4-key hand transmitters from their DIP switches, solder bridges
// and keys: one family of dialogs that differ in which switch sets which bit.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFFBkeys : public QDialog {
    Q_OBJECT
public:
    TFFBkeys(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

class TFFB4 : public TFFBkeys {
    Q_OBJECT
public:
    TFFB4(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
};

class TFFB2 : public TFFBkeys {
    Q_OBJECT
public:
    TFFB2(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
};

class TFFB1 : public TFFBkeys {
    Q_OBJECT
public:
    TFFB1(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
};

}  // namespace fbe
