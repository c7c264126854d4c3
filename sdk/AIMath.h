/* Arithmetic services: real math, random numbers, number/text conversion. */
#ifndef FOCARA_SDK_AIMATH_H
#define FOCARA_SDK_AIMATH_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Pure functions: they name their value and cannot fail. */
#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1
typedef struct AIRealMathSuite {
    AIReal(SPAPI* DegreeToRadian)(AIReal degree);
    AIReal(SPAPI* RadianToDegree)(AIReal radian);
    /* a / b. */
    AIReal(SPAPI* AIRealDiv)(AIReal a, AIReal b);
    /* Distance between two points. */
    AIReal(SPAPI* AIRealPointLength)(const AIRealPoint* a, const AIRealPoint* b);
    /* Angle of the line from a to b, radians, counter-clockwise from +x. */
    AIReal(SPAPI* AIRealPointAngle)(const AIRealPoint* a, const AIRealPoint* b);
    /* result = p + t * (q - p). */
    void(SPAPI* AIRealPointInterpolate)(const AIRealPoint* q, const AIRealPoint* p, AIReal t, AIRealPoint* result);
    /* Sets m to a translation. */
    void(SPAPI* AIRealMatrixSetTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
    /* The concatenations append: the new operation applies after what m does. */
    void(SPAPI* AIRealMatrixConcatRotate)(AIRealMatrix* m, AIReal angle);
    void(SPAPI* AIRealMatrixConcatScale)(AIRealMatrix* m, AIReal sx, AIReal sy);
    void(SPAPI* AIRealMatrixConcatTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
    void(SPAPI* AIRealMatrixXformPoint)(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result);
} AIRealMathSuite;

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3
typedef struct AIRandomSuite {
    /* A uniform number in [0, 1). The plug-in never seeds the source. */
    AIReal(SPAPI* FloatRnd)(void);
} AIRandomSuite;

/* Length-prefixed text: one count byte, then at most 255 characters. */
#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 5
typedef struct AIUserSuite {
    /* Parses a length-prefixed number. kBadParameterErr when it is not one. */
    AIErr(SPAPI* IUStringToReal)(const unsigned char* text, AIReal* value);
    /* Writes value with precision decimals as length-prefixed text into a 256-byte buffer. */
    AIErr(SPAPI* IURealToString)(AIReal value, int16_t precision, unsigned char* text);
} AIUserSuite;

#ifdef __cplusplus
}
#endif

#endif
