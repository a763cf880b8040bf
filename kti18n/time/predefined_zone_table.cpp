// The predefined zones: rule records and the IDs that use them.
//
// Rule columns: has daylight time, raw offset (ms), savings (min); start
// month, day, day of week, time (min), time mode; end likewise. Time modes:
// 0 wall, 1 standard, 2 UTC.
#include "kti18n/time/predefined_zones.h"

namespace TimeLib {

// clang-format off
const PredefinedZoneRule kPredefinedZoneRules[kPredefinedZoneRuleCount] = {
    {0, -43200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 0
    {0, -39600000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 1
    {0, -36000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 2
    {1, -36000000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 3
    {1, -36000000, 30, 9, -1, 1, 0, 0, 2, 1, -1, 0, 0},  // 4
    {0, -34200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 5
    {0, -32400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 6
    {1, -32400000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 7
    {0, -28800000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 8
    {1, -28800000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 9
    {0, -25200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 10
    {1, -25200000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 11
    {0, -21600000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 12
    {1, -21600000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 13
    {1, -21600000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 1},  // 14
    {1, -21600000, 60, 11, 18, 0, 0, 0, 1, 12, 0, 0, 0},  // 15
    {1, -21600000, 60, 0, 15, -7, 0, 0, 2, 15, 0, 0, 0},  // 16
    {1, -21600000, 60, 2, 23, 0, 0, 0, 8, 7, 0, 0, 0},  // 17
    {1, -21600000, 60, 4, 1, -1, 0, 0, 8, -1, 1, 0, 0},  // 18
    {1, -21600000, 60, 9, 9, -1, 0, 0, 2, 9, -1, 0, 0},  // 19
    {0, -18000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 20
    {1, -18000000, 60, 3, 1, -1, 0, 0, 9, -1, 1, 0, 0},  // 21
    {1, -18000000, 60, 3, 1, -1, 0, 1, 9, -1, 1, 0, 1},  // 22
    {1, -18000000, 60, 3, 1, -1, 60, 1, 9, -1, 1, 60, 1},  // 23
    {1, -18000000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 24
    {1, -18000000, 60, 0, 1, 0, 0, 0, 3, 1, 0, 0, 0},  // 25
    {1, -18000000, 60, 4, 2, 0, 0, 0, 11, 31, 0, 0, 0},  // 26
    {0, -14400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 27
    {1, -14400000, 60, 3, 1, -1, 1, 0, 9, -1, 1, 1, 0},  // 28
    {1, -14400000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 29
    {1, -14400000, 60, 3, 15, -1, 120, 0, 8, 25, 0, 120, 0},  // 30
    {1, -14400000, 60, 9, 1, -1, 0, 0, 1, -1, 1, 0, 0},  // 31
    {1, -14400000, 60, 9, 8, -1, 0, 0, 1, 15, -1, 0, 0},  // 32
    {1, -14400000, 60, 9, 9, -1, 0, 0, 2, 9, -1, 0, 0},  // 33
    {1, -14400000, 60, 8, 8, -1, 0, 0, 3, 16, -1, 0, 0},  // 34
    {1, -12600000, 60, 3, 1, -1, 1, 0, 9, -1, 1, 1, 0},  // 35
    {0, -10800000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 36
    {1, -10800000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},  // 37
    {1, -10800000, 60, 2, -1, 1, 60, 2, 9, -1, 1, 60, 2},  // 38
    {1, -10800000, 60, 9, 18, 0, 0, 0, 1, 28, 0, 0, 0},  // 39
    {1, -10800000, 60, 9, 8, -1, 0, 0, 1, 15, -1, 0, 0},  // 40
    {0, -7200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 41
    {0, -3600000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 42
    {1, -3600000, 60, 2, -1, 1, 60, 2, 9, -1, 1, 60, 2},  // 43
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 44
    {1, 0, 60, 5, 1, 0, 0, 0, 8, 1, 0, 0, 0},  // 45
    {1, 0, 60, 2, -1, 1, 60, 2, 9, -1, 1, 60, 2},  // 46
    {1, 0, 20, 8, 1, 0, 0, 0, 11, 31, 0, 0, 0},  // 47
    {0, 3600000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 48
    {1, 3600000, 60, 2, -1, 1, 60, 2, 9, -1, 1, 60, 2},  // 49
    {1, 3600000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 50
    {1, 3600000, 60, 4, 1, 0, 0, 1, 8, -1, 1, 0, 1},  // 51
    {1, 3600000, 60, 8, 1, -1, 120, 0, 3, 1, -1, 120, 0},  // 52
    {0, 7200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 53
    {1, 7200000, 60, 3, 1, 0, 0, 0, 9, 1, 0, 0, 0},  // 54
    {1, 7200000, 60, 3, 1, 0, 60, 0, 8, 24, 0, 60, 0},  // 55
    {1, 7200000, 60, 3, 15, -6, 0, 0, 9, 15, -6, 0, 0},  // 56
    {1, 7200000, 60, 3, -1, 6, 0, 1, 8, -1, 5, 1380, 1},  // 57
    {1, 7200000, 60, 2, -1, 1, 0, 0, 9, -1, 1, 0, 0},  // 58
    {1, 7200000, 60, 2, -1, 1, 60, 2, 9, -1, 1, 60, 2},  // 59
    {1, 7200000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 60
    {1, 7200000, 60, 2, -1, 5, 0, 1, 8, -1, 5, 0, 1},  // 61
    {1, 7200000, 60, 8, 15, -1, 120, 0, 2, 15, -1, 120, 0},  // 62
    {0, 10800000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 63
    {1, 10800000, 60, 3, 1, 0, 180, 1, 9, 1, 0, 180, 1},  // 64
    {1, 10800000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 65
    {0, 11224000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 66
    {1, 12600000, 60, 2, 20, 0, 0, 0, 8, 23, 0, 0, 0},  // 67
    {0, 14400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 68
    {1, 14400000, 60, 2, -1, 1, 0, 0, 9, -1, 1, 0, 0},  // 69
    {1, 14400000, 60, 2, -1, 1, 60, 0, 9, -1, 1, 60, 0},  // 70
    {1, 14400000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 71
    {0, 16200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 72
    {0, 18000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 73
    {1, 18000000, 60, 2, -1, 1, 0, 0, 9, -1, 1, 0, 0},  // 74
    {1, 18000000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 75
    {1, 18000000, 60, 2, -1, 1, 150, 0, 9, -1, 1, 150, 0},  // 76
    {0, 19800000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 77
    {0, 20700000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 78
    {0, 21600000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 79
    {1, 21600000, 60, 2, -1, 1, 0, 0, 9, -1, 1, 0, 0},  // 80
    {1, 21600000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 81
    {0, 23400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 82
    {0, 25200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 83
    {1, 25200000, 60, 2, -1, 1, 0, 0, 8, -1, 1, 0, 0},  // 84
    {1, 25200000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 85
    {0, 28800000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 86
    {1, 28800000, 60, 3, 10, -1, 0, 0, 8, 11, -1, 0, 0},  // 87
    {1, 28800000, 60, 5, 30, 0, 0, 0, 8, 30, 0, 0, 0},  // 88
    {1, 28800000, 60, 2, 22, 0, 0, 0, 8, 21, 0, 0, 0},  // 89
    {1, 28800000, 60, 2, -1, 1, 0, 0, 8, -1, 1, 0, 0},  // 90
    {1, 28800000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 91
    {1, 28800000, 60, 4, 8, -1, 210, 0, 9, 16, -1, 210, 0},  // 92
    {0, 32400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 93
    {1, 32400000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 94
    {1, 32400000, 60, 4, -14, -1, 0, 0, 9, -14, -1, 0, 0},  // 95
    {1, 34200000, 60, 9, 3, 0, 120, 0, 2, -1, 1, 120, 0},  // 96
    {1, 34200000, 60, 9, -1, 1, 120, 1, 2, -1, 1, 120, 1},  // 97
    {0, 36000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 98
    {1, 36000000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 99
    {1, 36000000, 60, 9, -1, 1, 120, 1, 2, -1, 1, 120, 1},  // 100
    {1, 36000000, 60, 9, -1, 1, 120, 1, 2, 1, -1, 120, 1},  // 101
    {1, 36000000, 60, 9, 1, -1, 120, 1, 2, -1, 1, 120, 1},  // 102
    {1, 37800000, 30, 9, -1, 1, 120, 1, 2, -1, 1, 120, 1},  // 103
    {0, 39600000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 104
    {1, 39600000, 60, 11, 1, 0, 120, 1, 2, 2, 0, 120, 1},  // 105
    {1, 39600000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 106
    {1, 39600000, 60, 9, 23, -1, 0, 0, 0, 23, -1, 0, 0},  // 107
    {0, 41400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 108
    {0, 43200000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 109
    {1, 43200000, 60, 2, -1, 1, 120, 1, 9, -1, 1, 120, 1},  // 110
    {1, 43200000, 60, 10, 1, -1, 120, 0, 1, -1, 1, 180, 0},  // 111
    {1, 43200000, 60, 9, 1, -1, 120, 1, 2, 15, -1, 120, 1},  // 112
    {1, 45900000, 60, 9, 1, -1, 165, 1, 2, 15, -1, 165, 1},  // 113
    {0, 46800000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 114
    {1, 46800000, 60, 10, 4, 0, 120, 1, 0, 27, 0, 120, 1},  // 115
    {0, 50400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 116
};

const PredefinedZoneId kPredefinedZoneIds[kPredefinedZoneIdCount] = {
    {"ACT", 96},
    {"AET", 100},
    {"AGT", 36},
    {"ART", 57},
    {"AST", 7},
    {"Africa/Abidjan", 44},
    {"Africa/Accra", 47},
    {"Africa/Addis_Ababa", 63},
    {"Africa/Algiers", 48},
    {"Africa/Asmera", 63},
    {"Africa/Bamako", 44},
    {"Africa/Bangui", 48},
    {"Africa/Banjul", 44},
    {"Africa/Bissau", 44},
    {"Africa/Blantyre", 53},
    {"Africa/Brazzaville", 48},
    {"Africa/Bujumbura", 53},
    {"Africa/Cairo", 57},
    {"Africa/Casablanca", 44},
    {"Africa/Ceuta", 49},
    {"Africa/Conakry", 44},
    {"Africa/Dakar", 44},
    {"Africa/Dar_es_Salaam", 63},
    {"Africa/Djibouti", 63},
    {"Africa/Douala", 48},
    {"Africa/El_Aaiun", 44},
    {"Africa/Freetown", 45},
    {"Africa/Gaborone", 53},
    {"Africa/Harare", 53},
    {"Africa/Johannesburg", 62},
    {"Africa/Kampala", 63},
    {"Africa/Khartoum", 63},
    {"Africa/Kigali", 53},
    {"Africa/Kinshasa", 48},
    {"Africa/Lagos", 48},
    {"Africa/Libreville", 48},
    {"Africa/Lome", 44},
    {"Africa/Luanda", 48},
    {"Africa/Lubumbashi", 53},
    {"Africa/Lusaka", 53},
    {"Africa/Malabo", 48},
    {"Africa/Maputo", 53},
    {"Africa/Maseru", 53},
    {"Africa/Mbabane", 53},
    {"Africa/Mogadishu", 63},
    {"Africa/Monrovia", 44},
    {"Africa/Nairobi", 63},
    {"Africa/Ndjamena", 48},
    {"Africa/Niamey", 48},
    {"Africa/Nouakchott", 44},
    {"Africa/Ouagadougou", 44},
    {"Africa/Porto-Novo", 48},
    {"Africa/Sao_Tome", 44},
    {"Africa/Timbuktu", 44},
    {"Africa/Tripoli", 53},
    {"Africa/Tunis", 51},
    {"Africa/Windhoek", 52},
    {"America/Adak", 3},
    {"America/Anchorage", 7},
    {"America/Anguilla", 27},
    {"America/Antigua", 27},
    {"America/Araguaina", 40},
    {"America/Aruba", 27},
    {"America/Asuncion", 31},
    {"America/Barbados", 30},
    {"America/Belem", 36},
    {"America/Belize", 15},
    {"America/Boa_Vista", 27},
    {"America/Bogota", 26},
    {"America/Boise", 11},
    {"America/Buenos_Aires", 36},
    {"America/Cambridge_Bay", 13},
    {"America/Cancun", 13},
    {"America/Caracas", 27},
    {"America/Catamarca", 36},
    {"America/Cayenne", 36},
    {"America/Cayman", 20},
    {"America/Chicago", 13},
    {"America/Chihuahua", 11},
    {"America/Cordoba", 36},
    {"America/Costa_Rica", 16},
    {"America/Cuiaba", 32},
    {"America/Curacao", 27},
    {"America/Dawson", 9},
    {"America/Dawson_Creek", 10},
    {"America/Denver", 11},
    {"America/Detroit", 24},
    {"America/Dominica", 27},
    {"America/Edmonton", 11},
    {"America/Eirunepe", 20},
    {"America/El_Salvador", 18},
    {"America/Fortaleza", 36},
    {"America/Glace_Bay", 29},
    {"America/Godthab", 38},
    {"America/Goose_Bay", 28},
    {"America/Grand_Turk", 21},
    {"America/Grenada", 27},
    {"America/Guadeloupe", 27},
    {"America/Guatemala", 17},
    {"America/Guayaquil", 20},
    {"America/Guyana", 27},
    {"America/Halifax", 29},
    {"America/Havana", 22},
    {"America/Hermosillo", 10},
    {"America/Indiana/Knox", 20},
    {"America/Indiana/Marengo", 20},
    {"America/Indiana/Vevay", 20},
    {"America/Indianapolis", 20},
    {"America/Inuvik", 11},
    {"America/Iqaluit", 20},
    {"America/Jamaica", 20},
    {"America/Jujuy", 36},
    {"America/Juneau", 7},
    {"America/Kentucky/Monticello", 24},
    {"America/La_Paz", 27},
    {"America/Lima", 25},
    {"America/Los_Angeles", 9},
    {"America/Louisville", 24},
    {"America/Maceio", 36},
    {"America/Managua", 12},
    {"America/Manaus", 27},
    {"America/Martinique", 27},
    {"America/Mazatlan", 11},
    {"America/Mendoza", 36},
    {"America/Menominee", 13},
    {"America/Merida", 13},
    {"America/Mexico_City", 13},
    {"America/Miquelon", 37},
    {"America/Monterrey", 13},
    {"America/Montevideo", 39},
    {"America/Montreal", 24},
    {"America/Montserrat", 27},
    {"America/Nassau", 24},
    {"America/New_York", 24},
    {"America/Nipigon", 24},
    {"America/Nome", 7},
    {"America/Noronha", 41},
    {"America/Panama", 20},
    {"America/Pangnirtung", 20},
    {"America/Paramaribo", 36},
    {"America/Phoenix", 10},
    {"America/Port-au-Prince", 23},
    {"America/Port_of_Spain", 27},
    {"America/Porto_Acre", 20},
    {"America/Porto_Velho", 27},
    {"America/Puerto_Rico", 27},
    {"America/Rainy_River", 13},
    {"America/Rankin_Inlet", 20},
    {"America/Recife", 36},
    {"America/Regina", 12},
    {"America/Rosario", 36},
    {"America/Santiago", 33},
    {"America/Santo_Domingo", 27},
    {"America/Sao_Paulo", 40},
    {"America/Scoresbysund", 43},
    {"America/St_Johns", 35},
    {"America/St_Kitts", 27},
    {"America/St_Lucia", 27},
    {"America/St_Thomas", 27},
    {"America/St_Vincent", 27},
    {"America/Swift_Current", 12},
    {"America/Tegucigalpa", 18},
    {"America/Thule", 29},
    {"America/Thunder_Bay", 24},
    {"America/Tijuana", 9},
    {"America/Tortola", 27},
    {"America/Vancouver", 9},
    {"America/Whitehorse", 9},
    {"America/Winnipeg", 14},
    {"America/Yakutat", 7},
    {"America/Yellowknife", 11},
    {"Antarctica/Casey", 86},
    {"Antarctica/Davis", 83},
    {"Antarctica/DumontDUrville", 98},
    {"Antarctica/Mawson", 79},
    {"Antarctica/McMurdo", 112},
    {"Antarctica/Palmer", 33},
    {"Antarctica/Syowa", 63},
    {"Arctic/Longyearbyen", 49},
    {"Asia/Aden", 63},
    {"Asia/Almaty", 80},
    {"Asia/Amman", 61},
    {"Asia/Anadyr", 110},
    {"Asia/Aqtau", 69},
    {"Asia/Aqtobe", 74},
    {"Asia/Ashgabat", 73},
    {"Asia/Baghdad", 64},
    {"Asia/Bahrain", 63},
    {"Asia/Baku", 70},
    {"Asia/Bangkok", 83},
    {"Asia/Beirut", 58},
    {"Asia/Bishkek", 76},
    {"Asia/Brunei", 86},
    {"Asia/Calcutta", 77},
    {"Asia/Chungking", 87},
    {"Asia/Colombo", 79},
    {"Asia/Damascus", 54},
    {"Asia/Dhaka", 79},
    {"Asia/Dili", 93},
    {"Asia/Dubai", 68},
    {"Asia/Dushanbe", 73},
    {"Asia/Gaza", 56},
    {"Asia/Harbin", 87},
    {"Asia/Hong_Kong", 92},
    {"Asia/Hovd", 84},
    {"Asia/Irkutsk", 91},
    {"Asia/Jakarta", 83},
    {"Asia/Jayapura", 93},
    {"Asia/Jerusalem", 55},
    {"Asia/Kabul", 72},
    {"Asia/Kamchatka", 110},
    {"Asia/Karachi", 73},
    {"Asia/Kashgar", 87},
    {"Asia/Katmandu", 78},
    {"Asia/Krasnoyarsk", 85},
    {"Asia/Kuala_Lumpur", 86},
    {"Asia/Kuching", 86},
    {"Asia/Kuwait", 63},
    {"Asia/Macao", 87},
    {"Asia/Magadan", 106},
    {"Asia/Manila", 89},
    {"Asia/Muscat", 68},
    {"Asia/Nicosia", 59},
    {"Asia/Novosibirsk", 81},
    {"Asia/Omsk", 81},
    {"Asia/Phnom_Penh", 83},
    {"Asia/Pyongyang", 93},
    {"Asia/Qatar", 63},
    {"Asia/Rangoon", 82},
    {"Asia/Riyadh", 63},
    {"Asia/Riyadh87", 66},
    {"Asia/Riyadh88", 66},
    {"Asia/Riyadh89", 66},
    {"Asia/Saigon", 83},
    {"Asia/Samarkand", 73},
    {"Asia/Seoul", 95},
    {"Asia/Shanghai", 87},
    {"Asia/Singapore", 86},
    {"Asia/Taipei", 88},
    {"Asia/Tashkent", 73},
    {"Asia/Tbilisi", 69},
    {"Asia/Tehran", 67},
    {"Asia/Thimphu", 79},
    {"Asia/Tokyo", 93},
    {"Asia/Ujung_Pandang", 86},
    {"Asia/Ulaanbaatar", 90},
    {"Asia/Urumqi", 87},
    {"Asia/Vientiane", 83},
    {"Asia/Vladivostok", 99},
    {"Asia/Yakutsk", 94},
    {"Asia/Yekaterinburg", 75},
    {"Asia/Yerevan", 71},
    {"Atlantic/Azores", 43},
    {"Atlantic/Bermuda", 29},
    {"Atlantic/Canary", 46},
    {"Atlantic/Cape_Verde", 42},
    {"Atlantic/Faeroe", 46},
    {"Atlantic/Jan_Mayen", 42},
    {"Atlantic/Madeira", 46},
    {"Atlantic/Reykjavik", 44},
    {"Atlantic/South_Georgia", 41},
    {"Atlantic/St_Helena", 44},
    {"Atlantic/Stanley", 34},
    {"Australia/Adelaide", 97},
    {"Australia/Brisbane", 101},
    {"Australia/Broken_Hill", 97},
    {"Australia/Darwin", 96},
    {"Australia/Hobart", 102},
    {"Australia/Lindeman", 101},
    {"Australia/Lord_Howe", 103},
    {"Australia/Melbourne", 100},
    {"Australia/Perth", 86},
    {"Australia/Sydney", 100},
    {"BET", 40},
    {"BST", 79},
    {"CAT", 53},
    {"CET", 50},
    {"CNT", 35},
    {"CST", 13},
    {"CTT", 87},
    {"EAT", 63},
    {"ECT", 49},
    {"EET", 59},
    {"EST", 24},
    {"Etc/GMT", 44},
    {"Etc/GMT+1", 42},
    {"Etc/GMT+10", 2},
    {"Etc/GMT+11", 1},
    {"Etc/GMT+12", 0},
    {"Etc/GMT+2", 41},
    {"Etc/GMT+3", 36},
    {"Etc/GMT+4", 27},
    {"Etc/GMT+5", 20},
    {"Etc/GMT+6", 12},
    {"Etc/GMT+7", 10},
    {"Etc/GMT+8", 8},
    {"Etc/GMT+9", 6},
    {"Etc/GMT-1", 48},
    {"Etc/GMT-10", 98},
    {"Etc/GMT-11", 104},
    {"Etc/GMT-12", 109},
    {"Etc/GMT-13", 114},
    {"Etc/GMT-14", 116},
    {"Etc/GMT-2", 53},
    {"Etc/GMT-3", 63},
    {"Etc/GMT-4", 68},
    {"Etc/GMT-5", 73},
    {"Etc/GMT-6", 79},
    {"Etc/GMT-7", 83},
    {"Etc/GMT-8", 86},
    {"Etc/GMT-9", 93},
    {"Etc/UCT", 44},
    {"Etc/UTC", 44},
    {"Europe/Amsterdam", 49},
    {"Europe/Andorra", 49},
    {"Europe/Athens", 59},
    {"Europe/Belfast", 46},
    {"Europe/Belgrade", 49},
    {"Europe/Berlin", 49},
    {"Europe/Bratislava", 49},
    {"Europe/Brussels", 49},
    {"Europe/Bucharest", 59},
    {"Europe/Budapest", 49},
    {"Europe/Chisinau", 59},
    {"Europe/Copenhagen", 49},
    {"Europe/Dublin", 46},
    {"Europe/Gibraltar", 49},
    {"Europe/Helsinki", 59},
    {"Europe/Istanbul", 59},
    {"Europe/Kaliningrad", 60},
    {"Europe/Kiev", 59},
    {"Europe/Lisbon", 46},
    {"Europe/Ljubljana", 49},
    {"Europe/London", 46},
    {"Europe/Luxembourg", 49},
    {"Europe/Madrid", 49},
    {"Europe/Malta", 49},
    {"Europe/Minsk", 60},
    {"Europe/Monaco", 49},
    {"Europe/Moscow", 65},
    {"Europe/Oslo", 49},
    {"Europe/Paris", 49},
    {"Europe/Prague", 49},
    {"Europe/Riga", 53},
    {"Europe/Rome", 49},
    {"Europe/Samara", 71},
    {"Europe/San_Marino", 49},
    {"Europe/Sarajevo", 49},
    {"Europe/Simferopol", 59},
    {"Europe/Skopje", 49},
    {"Europe/Sofia", 59},
    {"Europe/Stockholm", 49},
    {"Europe/Tallinn", 53},
    {"Europe/Tirane", 49},
    {"Europe/Tiraspol", 65},
    {"Europe/Uzhgorod", 59},
    {"Europe/Vaduz", 49},
    {"Europe/Vatican", 49},
    {"Europe/Vienna", 49},
    {"Europe/Vilnius", 53},
    {"Europe/Warsaw", 49},
    {"Europe/Zagreb", 49},
    {"Europe/Zaporozhye", 59},
    {"Europe/Zurich", 49},
    {"GMT", 44},
    {"HST", 2},
    {"IET", 20},
    {"IST", 77},
    {"Indian/Antananarivo", 63},
    {"Indian/Chagos", 73},
    {"Indian/Christmas", 83},
    {"Indian/Cocos", 82},
    {"Indian/Comoro", 63},
    {"Indian/Kerguelen", 73},
    {"Indian/Mahe", 68},
    {"Indian/Maldives", 73},
    {"Indian/Mauritius", 68},
    {"Indian/Mayotte", 63},
    {"Indian/Reunion", 68},
    {"JST", 93},
    {"MET", 50},
    {"MIT", 1},
    {"MST", 11},
    {"NET", 71},
    {"NST", 112},
    {"PLT", 73},
    {"PNT", 10},
    {"PRT", 27},
    {"PST", 9},
    {"Pacific/Apia", 1},
    {"Pacific/Auckland", 112},
    {"Pacific/Chatham", 113},
    {"Pacific/Easter", 19},
    {"Pacific/Efate", 107},
    {"Pacific/Enderbury", 114},
    {"Pacific/Fakaofo", 2},
    {"Pacific/Fiji", 111},
    {"Pacific/Funafuti", 109},
    {"Pacific/Galapagos", 12},
    {"Pacific/Gambier", 6},
    {"Pacific/Guadalcanal", 104},
    {"Pacific/Guam", 98},
    {"Pacific/Honolulu", 2},
    {"Pacific/Johnston", 2},
    {"Pacific/Kiritimati", 116},
    {"Pacific/Kosrae", 104},
    {"Pacific/Kwajalein", 109},
    {"Pacific/Majuro", 109},
    {"Pacific/Marquesas", 5},
    {"Pacific/Midway", 1},
    {"Pacific/Nauru", 109},
    {"Pacific/Niue", 1},
    {"Pacific/Norfolk", 108},
    {"Pacific/Noumea", 105},
    {"Pacific/Pago_Pago", 1},
    {"Pacific/Palau", 93},
    {"Pacific/Pitcairn", 8},
    {"Pacific/Ponape", 104},
    {"Pacific/Port_Moresby", 98},
    {"Pacific/Rarotonga", 4},
    {"Pacific/Saipan", 98},
    {"Pacific/Tahiti", 2},
    {"Pacific/Tarawa", 109},
    {"Pacific/Tongatapu", 115},
    {"Pacific/Truk", 98},
    {"Pacific/Wake", 109},
    {"Pacific/Wallis", 109},
    {"Pacific/Yap", 98},
    {"SST", 104},
    {"UTC", 44},
    {"VST", 83},
    {"WET", 46},
};
// clang-format on

}  // namespace TimeLib
