// The Termination tag's words for the ends the runner itself decides
// (the rules' ends use endReasonName: "mate", "perpetual-check", ...).
#pragma once

inline constexpr char TERMINATION_MATE[] = "mate";
inline constexpr char TERMINATION_TIME[] = "time forfeit";
inline constexpr char TERMINATION_ILLEGAL[] = "illegal move";
inline constexpr char TERMINATION_CRASH[] = "engine crash";
inline constexpr char TERMINATION_ADJUDICATED_RESIGN[] = "adjudication: resign";
inline constexpr char TERMINATION_ADJUDICATED_DRAW[] = "adjudication: draw";
inline constexpr char TERMINATION_MAX_PLIES[] = "max plies";
