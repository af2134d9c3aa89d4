// Address of the SVS 3-key transmitter from its three-position switches and keys.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFFB3SVS : public QDialog {
    Q_OBJECT
public:
    TFFB3SVS(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

}  // namespace fbe
