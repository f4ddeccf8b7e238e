#include "app/ui/SubMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return plk::SubMain(app);
}
