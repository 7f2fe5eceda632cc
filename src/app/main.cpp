#include "ui/frmtavchpscreening.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plenara::frmTAVCHPScreening window;
    window.show();
    return QApplication::exec();
}
