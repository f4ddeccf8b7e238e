#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plakatorium"));
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
