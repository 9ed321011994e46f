#include "Shots.h"

void shotsPrint(ShotEnv &)
{
}
