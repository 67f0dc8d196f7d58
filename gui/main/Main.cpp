// vantolex: the dialog program.
#include "gui/main/CMyApp.h"

int main(int argc, char** argv)
{
    vantolex::CMyApp application(argc, argv);
    return application.run();
}
