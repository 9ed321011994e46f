#include "Shots.h"

void shotsEnvelope(ShotEnv &)
{
}
