#pragma once

// SQL sent by the setup window.
namespace tarvo::sql {

// aqSetup, updatable: the single row of requisites and the tax rate.
inline constexpr const char *SetupSelect = "select * from setup";

} // namespace tarvo::sql
