#pragma once

// A holiday rule file as the version 1 program saved it, byte for byte: England and Wales,
// the moved rules of the United States and the Netherlands, an unticked own rule and 29
// February. Later programs load it unchanged and save it back as these same bytes.
inline constexpr char HolidayRulesV1[] = R"json({
    "format": "korvelt-holiday-rules",
    "rules": [
        {
            "day": 1,
            "kind": "fixed",
            "month": 1,
            "name": "New Year's Day",
            "weekend": "monday"
        },
        {
            "kind": "easter",
            "name": "Good Friday",
            "offset": -2
        },
        {
            "kind": "easter",
            "name": "Easter Monday",
            "offset": 1
        },
        {
            "kind": "nth-weekday",
            "month": 5,
            "name": "Early May bank holiday",
            "nth": 1,
            "weekday": "monday"
        },
        {
            "kind": "last-weekday",
            "month": 5,
            "name": "Spring bank holiday",
            "weekday": "monday"
        },
        {
            "kind": "last-weekday",
            "month": 8,
            "name": "Summer bank holiday",
            "weekday": "monday"
        },
        {
            "day": 25,
            "kind": "fixed",
            "month": 12,
            "name": "Christmas Day",
            "weekend": "monday"
        },
        {
            "day": 26,
            "kind": "fixed",
            "month": 12,
            "name": "Boxing Day",
            "weekend": "monday"
        },
        {
            "day": 1,
            "kind": "fixed",
            "month": 1,
            "name": "New Year's Day",
            "weekend": "nearest-weekday"
        },
        {
            "day": 19,
            "kind": "fixed",
            "month": 6,
            "name": "Juneteenth National Independence Day",
            "weekend": "nearest-weekday"
        },
        {
            "day": 4,
            "kind": "fixed",
            "month": 7,
            "name": "Independence Day",
            "weekend": "nearest-weekday"
        },
        {
            "day": 11,
            "kind": "fixed",
            "month": 11,
            "name": "Veterans Day",
            "weekend": "nearest-weekday"
        },
        {
            "day": 25,
            "kind": "fixed",
            "month": 12,
            "name": "Christmas Day",
            "weekend": "nearest-weekday"
        },
        {
            "day": 27,
            "kind": "fixed",
            "month": 4,
            "name": "King's Day",
            "weekend": "sunday-to-saturday"
        },
        {
            "kind": "last-weekday",
            "month": 10,
            "name": "Harvest Friday",
            "used": false,
            "weekday": "friday"
        },
        {
            "day": 29,
            "kind": "fixed",
            "month": 2,
            "name": "Leap Day"
        }
    ],
    "version": 1
}
)json";
