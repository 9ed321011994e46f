#include "Shots.h"

void shotsMailing(ShotEnv &)
{
}
