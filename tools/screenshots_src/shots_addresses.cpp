#include "Shots.h"

void shotsAddresses(ShotEnv &)
{
}
