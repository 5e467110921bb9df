/* The program's version, in one place for the version resource. */
#ifndef PALORIN_VERSION_H
#define PALORIN_VERSION_H

#define PALORIN_VERSION_NUMBERS 1,3,1,1
#define PALORIN_VERSION_TEXT "1, 3, 1, 1"

#endif
