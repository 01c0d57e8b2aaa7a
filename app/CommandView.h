// The view a command's drawing is measured and hatched in.
#pragma once

// The view the command works in, else the one the user last worked in.
int CommandView();
