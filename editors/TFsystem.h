// The system base settings: the decoder parameters of the current transmitter type.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFsystem : public QDialog {
    Q_OBJECT
public:
    TFsystem(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

}  // namespace fbe
