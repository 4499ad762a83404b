#include "controls/gamemain.h"
#include "poker/mainform.h"

int main(int argc, char **argv)
{
    return runGame<poker::TMainForm>(argc, argv, {u"Cartova", u"org.pekuca.Cartova", u"cartovahelp.hlp"});
}
