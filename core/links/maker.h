#pragma once

// The maker's addresses. The domain is a reserved example domain until the
// maker has a real one.
namespace Woord::Maker {

inline constexpr char16_t ContactAddress[] = u"info@wlk-velde.example";
inline constexpr char16_t SiteBase[] = u"https://www.wlk-velde.example/";

} // namespace Woord::Maker
