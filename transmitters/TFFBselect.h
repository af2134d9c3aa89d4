// The choice of the transmitter type.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFFBselect : public QDialog {
    Q_OBJECT
public:
    TFFBselect(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

}  // namespace fbe
