// Kubolo: five dice, thirteen turns, a score sheet of thirteen categories.
#include "controls/gamemain.h"
#include "dice/mainform.h"

int main(int argc, char **argv)
{
    return runGame<kubolo::TMainForm>(argc, argv, {u"Kubolo", u"org.pekuca.Kubolo", u"KUBOLO3HELP.HLP"});
}
