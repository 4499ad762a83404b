#include "codebreaking/mainform.h"
#include "controls/gamemain.h"

int main(int argc, char **argv)
{
    return runGame<codebreaking::TMainForm>(argc, argv, {u"Pegora", u"org.pekuca.Pegora", u"Pegora2help.hlp"});
}
