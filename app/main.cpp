#include "converterform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ConverterForm form;
    form.show();
    return QApplication::exec();
}
