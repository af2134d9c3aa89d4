// Code length and address of the programmable 1..16-key transmitter.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFFB16 : public QDialog {
    Q_OBJECT
public:
    TFFB16(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

}  // namespace fbe
