#ifndef TALLYRA_APP_BALLOON_CLASS_H
#define TALLYRA_APP_BALLOON_CLASS_H

// Registers the hint balloon's window class for the program's own module.
void RegisterBalloonClass();

#endif
