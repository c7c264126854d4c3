/* A library with the plug-in's resources but no entry point, whose
   constructor leaves a mark: the host must refuse it without loading it. */
#include <stdio.h>
#include <stdlib.h>

__attribute__((constructor)) static void markLoaded(void)
{
    const char* mark = getenv("FOCARA_TEST_LOAD_MARK");
    FILE* file = mark ? fopen(mark, "w") : NULL;
    if (file) fclose(file);
}

int NotTheEntryPoint(void) { return 0; }
