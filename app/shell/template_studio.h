#pragma once
// The template studio a new studio starts from. When it is missing it is
// made from the compressed template for the screen's size.

// "LOVGARES.!CT" up to 640 pixels wide, "HIVGARES.!CT" from 1024, else
// "MDVGARES.!CT".
const char* CompressedTemplateName(int screenWidth);

// Makes templatePath from the compressed template for screenWidth when it
// does not exist. The compressed file is looked for beside the template and
// then beside the library (a per-user settings folder holds no compressed
// templates). 1 when the template exists afterwards.
int EnsureStudioTemplate(const char* templatePath, int screenWidth);
