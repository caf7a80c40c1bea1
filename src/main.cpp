#include "startup/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tildora::Form1 form(QCoreApplication::applicationDirPath());
    form.Form_Load();
    form.show();
    return app.exec();
}
