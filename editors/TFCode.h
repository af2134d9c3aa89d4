// The code and function editor: address, function, time and outputs of one code slot.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFCode : public QDialog {
    Q_OBJECT
public:
    TFCode(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

}  // namespace fbe
