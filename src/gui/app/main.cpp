#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("NORDWALD"));
    QApplication::setApplicationName(QStringLiteral("VOLMAR"));
    QApplication::setApplicationVersion(QStringLiteral(VOLMAR_VERSION));
    return 0;
}
