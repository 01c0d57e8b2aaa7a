// The view a command draws in: texts are measured and patterns hatched as they show
// there. The command sets it when the user picks in a view; drawing reads it.
#pragma once

// The view the command works in, -1 when it names none.
extern int workingView;

// The view the command works in, else the one the user last worked in.
int CommandView();
