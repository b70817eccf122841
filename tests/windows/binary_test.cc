// Reads the version resource and the manifest back from the built file, the
// way Windows reads them.
#include <gtest/gtest.h>
// The platform header first: the others build on it.
#include <windows.h>
#include <winver.h>

#include <string>
#include <vector>

#include "tool_process.h"

namespace {

std::wstring VersionString(const std::vector<unsigned char>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) {
    return L"(missing)";
  }
  return static_cast<const wchar_t*>(value);
}

TEST(Binary, CarriesItsVersionInformation) {
  const std::wstring tool = ToolPath();
  const DWORD size = GetFileVersionInfoSizeW(tool.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<unsigned char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(tool.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD high = (DROPCLIP_VERSION_MAJOR << 16) | DROPCLIP_VERSION_MINOR;
  const DWORD low = static_cast<DWORD>(DROPCLIP_VERSION_PATCH) << 16;
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(VersionString(info, L"FileVersion"), DROPCLIP_VERSION);
  EXPECT_EQ(VersionString(info, L"ProductVersion"), DROPCLIP_VERSION);
  EXPECT_EQ(VersionString(info, L"ProductName"), L"dropclip");
  EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"dropclip.exe");
  EXPECT_EQ(VersionString(info, L"FileDescription"), L"dropclip - puts files on the clipboard");
  EXPECT_EQ(VersionString(info, L"LegalCopyright"),
            L"Copyright (c) 2026 The dropclip developers. MIT License.");
}

TEST(Binary, EmbedsItsApplicationManifest) {
  HMODULE image = LoadLibraryExW(ToolPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  // The process manifest: resource 1 of type RT_MANIFEST.
  HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr);
  const DWORD size = SizeofResource(image, found);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
  ASSERT_NE(bytes, nullptr);
  const std::string manifest(bytes, size);
  FreeLibrary(image);

  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
            std::string::npos)
      << manifest;
  // One identifier stands for both Windows 10 and Windows 11.
  EXPECT_NE(manifest.find("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"),
            std::string::npos)
      << manifest;
  EXPECT_NE(manifest.find("name=\"dropclip\""), std::string::npos);
}

}  // namespace
