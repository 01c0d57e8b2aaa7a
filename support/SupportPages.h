// The addresses the support commands hand to the system: the support e-mail and the
// maker's demonstration page. Whether the system could open them is not checked.
#pragma once

#include <string>

// "mailto:" the support address, with a body naming this system, the CAD platform,
// the Excel version given and the product.
std::string SupportMailAddress(const std::string& excelVersion);
void OpenSupportMail(const std::string& excelVersion);
void OpenDemoPage();
