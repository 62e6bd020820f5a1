#pragma once
// Placeholder until the preferences store lands.
class cPreferences {};
