#include "app/shell/template_studio.h"

#include <string>

#include "core/services/file_names.h"
#include "core/services/szdd.h"

const char* CompressedTemplateName(int screenWidth)
{
    if (screenWidth <= 640) return "LOVGARES.!CT";
    if (screenWidth >= 1024) return "HIVGARES.!CT";
    return "MDVGARES.!CT";
}

int EnsureStudioTemplate(const char* templatePath, int screenWidth)
{
    if (templatePath == nullptr || *templatePath == '\0') return 0;
    if (Exists(templatePath)) return 1;
    const char* name = CompressedTemplateName(screenWidth);

    char besideTemplate[PathSize];
    std::snprintf(besideTemplate, sizeof besideTemplate, "%s", templatePath);
    RemoveFilename(besideTemplate);
    AppendFilename(besideTemplate, name);
    const std::string besideLibrary = std::string(GetLibraryDirectory()) + name;

    for (const std::string& source : {std::string(besideTemplate), besideLibrary})
        if (Exists(source.c_str()) && ExpandFile(source.c_str(), templatePath)) return 1;
    return Exists(templatePath);
}
