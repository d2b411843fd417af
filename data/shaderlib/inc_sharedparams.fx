// Values every effect shares through the pool: camera, sun, omni light, screen and time (set
// once per view), and the object's world matrices (set per object or per instanced batch).

shared mat4 matProj : Projection;
shared mat4 matView : View;
shared mat4 matViewInv : ViewInversed;
shared mat4 matViewProj : ViewProjection;
shared mat4 matViewProjInv : ViewProjectionInversed;
shared mat4 matProjInv : ProjectionInversed;
shared vec3 vecEyePos : EyePosition;
shared vec3 vecEyeDir : EyeDirection;

shared vec3 vecSunDir : SunDirection;
shared vec4 vecSunDiffuse : SunDiffuse;
shared vec4 vecSunSpecular : SunSpecular;
shared vec4 vecSunAmbient : SunAmbient;
shared float fSunDiffusePower : SunDiffusePower;
shared float fSunSpecularPower : SunSpecularPower;
shared float fSunAmbientPower : SunAmbientPower;

shared float fElapsedTime : ElapsedTime;
shared float fFarClipPlane : FarClipPlane;
shared float fNearClipPlane : NearClipPlane;
shared float fScreenWidth : ScreenWidth;
shared float fScreenHeight : ScreenHeight;
shared float fMotionBloorKoef : MotionBloorKoef;
shared float fAAWeight : AAWeight;

shared vec3 vecOmniPos : OmniPosition;
shared vec4 vecOmniAttenuation : OmniAttenuation;
shared vec4 vecOmniDiffuse : OmniDiffuse;
shared vec4 vecOmniSpecular : OmniSpecular;
shared float fOmniRange : OmniRange;
shared float fOmniIntensity : OmniIntensity;

shared mat4 matWorld : World;
shared mat4 matWorldViewProj : WorldViewProjection;
shared float fAnimation : Animation;
shared float fViewDepth : ViewDepth;
// One matrix per instance of a batch; vertices carry their instance index.
shared mat4 WorldInstances[100] : WorldInstances;

glsl {
// The world matrix of a vertex: its instance's with USE_INSTANCING, else the object's.
mat4 WorldOf(float instance)
{
#ifdef USE_INSTANCING
    return WorldInstances[clamp(int(instance), 0, 99)];
#else
    return matWorld;
#endif
}
}
