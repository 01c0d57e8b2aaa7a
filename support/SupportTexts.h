// The maker's addresses and the texts shared by every error report.
#pragma once

constexpr char kProductTitle[] = "Korvu Quorvelle for MicroStation V8i";
constexpr char kSupportAddress[] = "support@korvu.com";
